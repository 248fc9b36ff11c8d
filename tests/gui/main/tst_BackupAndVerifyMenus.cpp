// SPDX-License-Identifier: GPL-3.0-or-later
// File > Open Backup... and Program > Verify after write in the main window: the check item follows the
// settings file and keeps the choice there; a backup opens as any data file does.
#include <QAction>
#include <QtTest>

#include "core/files/Backups.h"
#include "core/files/Profile.h"
#include "core/files/SettingsFile.h"
#include "core/files/StartUp.h"
#include "core/model/ChannelCodec.h"
#include "core/model/Derivations.h"
#include "gui/main/MainWindow.h"
#include "helpers/TestSupport.h"

class TestBackupAndVerifyMenus : public QObject
{
    Q_OBJECT

  private slots:
    void init() { InitTestState(); }

    void verifyAfterWriteIsACheckItemKeptInTheSettingsFile()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        QCOMPARE(frm.nVerify->text(), QStringLiteral("&Verify after write"));
        QVERIFY(frm.nVerify->isCheckable());
        QVERIFY(frm.nVerify->isChecked());
        QVERIFY(gAll.VerifyAfterWrite);

        frm.nVerify->trigger();
        QVERIFY(!frm.nVerify->isChecked());
        QVERIFY(!gAll.VerifyAfterWrite);
        TProfile settings;
        QVERIFY(settings.Load(SettingsFilePath(gAll)));
        QCOMPARE(settings.ReadString("Program", "VerifyAfterWrite", ""), std::string("0"));
        LoadSettings(gAll);
        QVERIFY(!gAll.VerifyAfterWrite);

        frm.nVerify->trigger();
        QVERIFY(frm.nVerify->isChecked());
        LoadSettings(gAll);
        QVERIFY(gAll.VerifyAfterWrite);
        QVERIFY(recorder.Shown.isEmpty());
    }

    void openBackupOpensTheChosenBackup()
    {
        QTemporaryDir home;
        gAll.BackupFolder = home.path().toStdString();
        ResetChannel(gAll, 7, "145.5");
        std::string path;
        std::string error;
        QVERIFY2(SaveBackup(gAll, "2026-12-10 09:08:07", path, error), error.c_str());
        NewDataSet(gAll, gMacList);
        gAll.Modified = false;

        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        QCOMPARE(frm.nOpenBackup->text(), QStringLiteral("Open &Backup..."));
        recorder.QueueFileName(QString::fromStdString(path));
        frm.nOpenBackup->trigger();
        QCOMPARE(recorder.FileDialogs, 1);
        QVERIFY(IsChannelUsed(gAll, 7));
        QCOMPARE(frm.DataFileName, QString::fromStdString(path));
    }
};

QTEST_MAIN(TestBackupAndVerifyMenus)
#include "tst_BackupAndVerifyMenus.moc"
