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

// A modal question; the action button is the default, the cancel button answers Escape.
DialogButton MessageDialog(const QuestionDialog &spec);

} // namespace fw
