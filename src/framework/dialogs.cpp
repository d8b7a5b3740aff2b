#include "dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace fw {

namespace {

class QtDialogs final : public DialogSeam
{
public:
    void msgBox(const QString &text) override
    {
        QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                        QMessageBox::Ok, QApplication::activeWindow());
        box.exec();
    }

    DialogButton messageDialog(const QuestionDialog &spec) override
    {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(spec.title);
        box.setText(spec.message);
        box.setInformativeText(spec.explanation);
        box.setIcon(spec.icon == 1 ? QMessageBox::Warning : QMessageBox::NoIcon);
        QPushButton *action = box.addButton(spec.actionCaption, QMessageBox::AcceptRole);
        QPushButton *cancel = nullptr;
        if (!spec.cancelCaption.isEmpty()) {
            cancel = box.addButton(spec.cancelCaption, QMessageBox::RejectRole);
            box.setEscapeButton(cancel);
        }
        box.setDefaultButton(spec.cancelIsDefault && cancel ? cancel : action);
        box.exec();
        return cancel && box.clickedButton() == cancel ? DialogButton::Cancel : DialogButton::Action;
    }
};

QtDialogs g_qtDialogs;
DialogSeam *g_seam = nullptr;

DialogSeam &seam() { return g_seam ? *g_seam : static_cast<DialogSeam &>(g_qtDialogs); }

} // namespace

void setDialogSeam(DialogSeam *s) { g_seam = s; }

void MsgBox(const QString &text) { seam().msgBox(text); }

DialogButton MessageDialog(const QuestionDialog &spec) { return seam().messageDialog(spec); }

} // namespace fw
