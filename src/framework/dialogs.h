#pragma once

#include <QString>

// Every message box and question dialog of the program goes through one seam:
// Qt's message boxes in the program, a script in the tests.
namespace fw {

struct QuestionDialog {
    QString title;
    QString message;
    QString explanation;
    int icon = 1; // 1: caution
    QString actionCaption = QStringLiteral("OK");
    QString cancelCaption; // empty: no cancel button
    // Enter answers with the cancel button, for a question whose action
    // cannot be undone: a key pressed out of habit then changes nothing.
    bool cancelIsDefault = false;
};

enum class DialogButton { Action, Cancel };

class DialogSeam
{
public:
    virtual ~DialogSeam() = default;
    virtual void msgBox(const QString &text) = 0;
    virtual DialogButton messageDialog(const QuestionDialog &spec) = 0;
};

// Installs a seam (nullptr restores Qt's message boxes). The caller keeps ownership.
void setDialogSeam(DialogSeam *seam);

// A modal message with one button; the caller goes on once it is closed.
void MsgBox(const QString &text);

// A modal question; the action button is the default unless the question says
// otherwise, the cancel button answers Escape.
DialogButton MessageDialog(const QuestionDialog &spec);

} // namespace fw
