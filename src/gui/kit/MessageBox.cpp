#include "gui/kit/MessageBox.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace
{
TMessageResponder gResponder;
TFileDialogResponder gFileResponder;

int ShowModalBox(const QString& caption, const QString& text, int kind)
{
    QWidget* owner = QApplication::activeWindow();
    if (kind == 1) {
        QMessageBox::information(owner, caption, text, QMessageBox::Ok);
        return kMbOk;
    }
    if (kind == 2) {
        const auto answer = QMessageBox::question(owner, caption, text, QMessageBox::Yes | QMessageBox::No);
        return answer == QMessageBox::Yes ? kMbYes : kMbNo;
    }
    const auto answer = QMessageBox::question(owner, caption, text, QMessageBox::Retry | QMessageBox::Cancel);
    return answer == QMessageBox::Retry ? kMbRetry : kMbCancel;
}

const QString kDataFilter = QStringLiteral("Data File(*.dat) (*.dat)");
} // namespace

int ShowMessageBox(const QString& caption, const QString& text, int kind)
{
    if (kind != 1 && kind != 2 && kind != 22)
        return kMbOk;
    if (gResponder)
        return gResponder(caption, text, kind);
    return ShowModalBox(caption, text, kind);
}

void SetMessageResponder(TMessageResponder responder)
{
    gResponder = std::move(responder);
}

void SetFileDialogResponder(TFileDialogResponder responder)
{
    gFileResponder = std::move(responder);
}

QString AskOpenFileName(QWidget* parent)
{
    if (gFileResponder)
        return gFileResponder(false);
    return QFileDialog::getOpenFileName(parent, QString(), QString(), kDataFilter);
}

QString AskSaveFileName(QWidget* parent)
{
    if (gFileResponder)
        return gFileResponder(true);
    QFileDialog dialog(parent, QString(), QString(), kDataFilter);
    dialog.setObjectName(QStringLiteral("sdSave"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    // The program asks "The File is exists,replace it?" itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}
