// SPDX-License-Identifier: GPL-3.0-or-later
// Help > Help Topics: F1 opens the manual the program carries, and every topic a new user needs is in it.
#include <QScrollBar>
#include <QTextBrowser>
#include <QtTest>

#include "gui/main/HelpWindow.h"
#include "gui/main/MainWindow.h"
#include "helpers/TestSupport.h"

class TestHelp : public QObject
{
    Q_OBJECT

  private slots:
    void init() { InitTestState(); }

    void f1OpensTheManualOnce()
    {
        TMessageRecorder recorder;
        TMainWindow frm;
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        QCOMPARE(frm.nHelpTopics->shortcut(), QKeySequence(Qt::Key_F1));
        QTest::keyClick(&frm, Qt::Key_F1);
        auto* help = frm.findChild<THelpWindow*>();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QVERIFY(help->Browser->document()->characterCount() > 2000);
        help->close();
        frm.tbHelp->trigger();
        QCOMPARE(frm.findChildren<THelpWindow*>().size(), 1);
        QVERIFY(help->isVisible());
        QVERIFY(recorder.Shown.isEmpty());
    }

    void theManualCoversEveryTopic_data()
    {
        QTest::addColumn<QString>("anchor");
        QTest::addColumn<QString>("words");
        QTest::newRow("getting started") << "start"
                                         << "Read From Radio";
        QTest::newRow("virtual radio") << "sim"
                                       << "qbh52-radio-sim";
        QTest::newRow("windows") << "windows"
                                 << "transmit power calibration";
        QTest::newRow("port") << "port"
                              << "dialout";
        QTest::newRow("files") << "files"
                               << "backups";
        QTest::newRow("command line") << "cli"
                                      << "qbh52-cli";
    }

    void theManualCoversEveryTopic()
    {
        QFETCH(QString, anchor);
        QFETCH(QString, words);
        THelpWindow help;
        help.show();
        QVERIFY(help.Browser->toPlainText().contains(words));
        // The contents link reaches its section: the view scrolls away from the top.
        help.Browser->scrollToAnchor(anchor);
        QVERIFY(help.Browser->verticalScrollBar()->value() > 0);
    }
};

QTEST_MAIN(TestHelp)
#include "tst_Help.moc"
