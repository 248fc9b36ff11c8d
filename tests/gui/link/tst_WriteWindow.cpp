// SPDX-License-Identifier: GPL-3.0-or-later
// The write window's preview: what the write changes against the newest backup of the radio, listed before
// Ok starts the write. The window is not shown, so no port is opened.
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "core/files/Backups.h"
#include "core/files/StartUp.h"
#include "core/model/ChannelCodec.h"
#include "core/model/SettingsTable.h"
#include "gui/link/WriteWindow.h"
#include "helpers/TestSupport.h"

class TestWriteWindow : public QObject
{
    Q_OBJECT

  private:
    QTemporaryDir DataHome;

    QStringList PreviewLines(const TWriteWindow& window) const
    {
        QStringList lines;
        for (int i = 0; i < window.lbPreview->count(); ++i)
            lines << window.lbPreview->item(i)->text();
        return lines;
    }

  private slots:
    void init()
    {
        InitTestState();
        gAll.BackupFolder = DataHome.filePath(QStringLiteral("backups")).toStdString();
        QDir(DataHome.filePath(QStringLiteral("backups"))).removeRecursively();
    }

    void withoutAnEarlierReadThePreviewSaysSo()
    {
        TWriteWindow window;
        QCOMPARE(window.lPreview->text(), QString("There is no earlier read of this radio to compare the write with."));
        QVERIFY(window.lbPreview->isHidden());
    }

    void thePreviewListsEveryChangeWithItsCount()
    {
        std::string path;
        std::string error;
        QVERIFY2(SaveBackup(gAll, "2026-12-10 09:08:07", path, error), error.c_str());
        TWriteWindow same;
        QCOMPARE(same.lPreview->text(),
                 QString("Nothing changes against the last read of this radio (2026-12-10_090807_QB-H52.dat)."));
        QCOMPARE(same.lbPreview->count(), 0);

        ResetChannel(gAll, 12, "438.5");
        SetSetting(gAll, TSetting::SquelchLevel, 2);
        TWriteWindow window;
        QCOMPARE(window.lPreview->text(),
                 QString("2 changes against the last read of this radio (2026-12-10_090807_QB-H52.dat):"));
        QCOMPARE(PreviewLines(window),
                 (QStringList{"CH-012: new channel 438.50000", QString::fromUtf8("Squelch level: 5 \u2192 2")}));
        QVERIFY(!window.lbPreview->isHidden());
        // The image is what the user edited: the preview only reads it.
        QVERIFY(IsChannelUsed(gAll, 12));
    }
};

QTEST_MAIN(TestWriteWindow)
#include "tst_WriteWindow.moc"
