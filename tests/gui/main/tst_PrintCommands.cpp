// SPDX-License-Identifier: GPL-3.0-or-later
// File > Print..., Print Preview and Export PDF... of the main window, and the file the program is started with.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "core/files/DataFile.h"
#include "core/files/StartUp.h"
#include "core/model/ChannelCodec.h"
#include "gui/main/MainWindow.h"
#include "helpers/ModalHelper.h"
#include "helpers/TestSupport.h"

namespace
{
// The text of a PDF file as pdftotext reads it.
QString PdfText(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral(PDFTOTEXT), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0)
        return QStringLiteral("pdftotext (poppler-utils, installed by scripts/setup.sh) could not read ") + path;
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}
} // namespace

class TPrintCommandsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir Dir;

    // A data file with channels 3 and 9 in use, saved where the tests can open it; then a fresh start.
    QString MakeDataFile()
    {
        ResetChannel(gAll, 3, "145.25");
        ResetChannel(gAll, 9, "438.5");
        const QString path = Dir.filePath(QStringLiteral("hiking.dat"));
        std::string error;
        if (!SaveDataFile(gAll, path.toStdString(), error))
            qWarning("%s", error.c_str());
        InitTestState();
        return path;
    }

  private slots:
    void init() { InitTestState(); }

    void exportPdfPrintsTheOpenFilesChannels()
    {
        const QString data = MakeDataFile();
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        frm.OpenFile(data);
        QCOMPARE(frm.DataFileName, data);
        const QString pdf = Dir.filePath(QStringLiteral("hiking.pdf"));
        recorder.QueueFileName(pdf);
        frm.nExportPdf->trigger();
        QCOMPARE(recorder.FileDialogs, 1);
        QVERIFY2(recorder.Shown.isEmpty(), qPrintable(recorder.Texts().join(u'\n')));
        QVERIFY(ReadFile(pdf).startsWith("%PDF"));
        const QString text = PdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("File: hiking.dat")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Page 1 of ")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Radio-wide settings")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("145.25000")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("438.50000")), qPrintable(text));
        QVERIFY(!gAll.Modified);
    }

    void aPdfThatCannotBeWrittenIsReportedAndNothingChanges()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        const auto image = gAll.Image;
        const QString pdf = Dir.filePath(QStringLiteral("missing/folder/out.pdf"));
        recorder.QueueFileName(pdf);
        frm.ExecuteCommand(TCommand::ExportPdf);
        QCOMPARE(recorder.Shown.size(), 1);
        QVERIFY2(recorder.Shown[0].Text.startsWith(QStringLiteral("Cannot write the PDF file \"") + pdf),
                 qPrintable(recorder.Shown[0].Text));
        QVERIFY(!QDir(Dir.filePath(QStringLiteral("missing"))).exists());
        QVERIFY(gAll.Image == image);
        // A cancelled file dialog writes nothing and says nothing.
        frm.ExecuteCommand(TCommand::ExportPdf);
        QCOMPARE(recorder.Shown.size(), 1);
    }

    void printAndPreviewOpenTheirDialogs()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        bool previewed = false;
        WhenModal<QPrintPreviewDialog>([&previewed](QPrintPreviewDialog* dialog) {
            previewed = dialog->objectName() == QStringLiteral("ppPreview");
            dialog->reject();
        });
        frm.V2->trigger();
        QVERIFY(previewed);
        bool asked = false;
        WhenModal<QPrintDialog>([&asked](QPrintDialog* dialog) {
            asked = dialog->printer()->pageLayout().orientation() == QPageLayout::Landscape;
            dialog->reject();
        });
        frm.P2->trigger();
        QVERIFY(asked);
        QVERIFY(recorder.Shown.isEmpty());
    }

    // The file argument of the program: a data file opens, anything else is reported and the new data set stays.
    void theFileArgumentOpensADataFileOrSaysWhyNot()
    {
        const QString data = MakeDataFile();
        QFile notes(Dir.filePath(QStringLiteral("notes.dat")));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("shopping list: bread, milk, batteries for the handheld");
        notes.close();
        const std::tuple<QString, QString> cases[] = {
            {Dir.filePath(QStringLiteral("none.dat")), QStringLiteral("Cannot open file")},
            {notes.fileName(), QStringLiteral("Wrong model type.")},
        };
        for (const auto& [path, message] : cases) {
            TMessageRecorder recorder;
            TMainWindow frm;
            frm.show();
            const auto image = gAll.Image;
            frm.OpenFile(path);
            QCOMPARE(recorder.Shown.size(), 1);
            QVERIFY2(recorder.Shown[0].Text.contains(message), qPrintable(recorder.Shown[0].Text));
            QVERIFY(frm.DataFileName.isEmpty());
            QVERIFY(gAll.Image == image);
        }
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        frm.OpenFile(data);
        QVERIFY(recorder.Shown.isEmpty());
        QVERIFY(IsChannelUsed(gAll, 9));
    }
};

QTEST_MAIN(TPrintCommandsTest)
#include "tst_PrintCommands.moc"
