// SPDX-License-Identifier: GPL-3.0-or-later
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
    case TMessageKind::YesNoCancel: {
        // Cancel is the box's escape button: Esc and the close button keep the work, never discard it.
        const auto answer =
            QMessageBox::question(owner, caption, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        return answer == QMessageBox::Yes ? TAnswer::Yes : answer == QMessageBox::No ? TAnswer::No : TAnswer::Cancel;
    }
    case TMessageKind::RetryCancel:
        break;
    }
    const auto answer = QMessageBox::question(owner, caption, text, QMessageBox::Retry | QMessageBox::Cancel);
    return answer == QMessageBox::Retry ? TAnswer::Retry : TAnswer::Cancel;
}

const QString kDataFilter = QStringLiteral("Data File(*.dat) (*.dat)");
const QString kCsvFilter = QStringLiteral("CSV File(*.csv) (*.csv)");

QString FilterOf(TFileType type)
{
    return type == TFileType::Csv ? kCsvFilter : kDataFilter;
}
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

QString AskOpenFileName(QWidget* parent, TFileType type, const QString& folder)
{
    if (gFileResponder)
        return gFileResponder(false);
    return QFileDialog::getOpenFileName(parent, QString(), folder, FilterOf(type));
}

QString AskSaveFileName(QWidget* parent, TFileType type)
{
    if (gFileResponder)
        return gFileResponder(true);
    QFileDialog dialog(parent, QString(), QString(), FilterOf(type));
    dialog.setObjectName(QStringLiteral("sdSave"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(type == TFileType::Csv ? QStringLiteral("csv") : QStringLiteral("dat"));
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
