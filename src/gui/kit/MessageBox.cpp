#include "gui/kit/MessageBox.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace
{
TMessageResponder gResponder;
TFileDialogResponder gFileResponder;

TAnswer ShowModalBox(const QString& caption, const QString& text, TMessageKind kind)
{
    QWidget* owner = QApplication::activeWindow();
    switch (kind) {
    case TMessageKind::Information:
        QMessageBox::information(owner, caption, text, QMessageBox::Ok);
        return TAnswer::Ok;
    case TMessageKind::YesNo: {
        const auto answer = QMessageBox::question(owner, caption, text, QMessageBox::Yes | QMessageBox::No);
        return answer == QMessageBox::Yes ? TAnswer::Yes : TAnswer::No;
    }
    case TMessageKind::RetryCancel:
        break;
    }
    const auto answer = QMessageBox::question(owner, caption, text, QMessageBox::Retry | QMessageBox::Cancel);
    return answer == QMessageBox::Retry ? TAnswer::Retry : TAnswer::Cancel;
}

const QString kDataFilter = QStringLiteral("Data File(*.dat) (*.dat)");
} // namespace

TAnswer ShowMessageBox(const QString& caption, const QString& text, TMessageKind kind)
{
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

QString AskOpenFileName(QWidget* parent, const QString& folder)
{
    if (gFileResponder)
        return gFileResponder(false);
    return QFileDialog::getOpenFileName(parent, QString(), folder, kDataFilter);
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

QString AskPdfFileName(QWidget* parent, const QString& suggested)
{
    if (gFileResponder)
        return gFileResponder(true);
    QFileDialog dialog(parent, QString(), suggested, QStringLiteral("PDF (*.pdf)"));
    dialog.setObjectName(QStringLiteral("sdPdf"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}
