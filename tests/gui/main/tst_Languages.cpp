// SPDX-License-Identifier: GPL-3.0-or-later
// Window texts from language files, the Language File Setup dialog and the About box.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include "core/files/LanguageFile.h"
#include "core/files/Profile.h"
#include "core/files/StartUp.h"
#include "core/model/Version.h"
#include "gui/kit/ApplyLanguage.h"
#include "gui/kit/EditorWindow.h"
#include "gui/main/AboutWindow.h"
#include "gui/main/LanguageWindow.h"
#include "helpers/TestSupport.h"

namespace
{

// A form holding one control of every kind the language files reach.
struct TProbeForm {
    QWidget Form;
    QLabel* lName = new QLabel(QStringLiteral("Name"), &Form);
    QLabel* lPicture = new QLabel(&Form);
    QPushButton* btnOk = new QPushButton(QStringLiteral("&Ok"), &Form);
    QCheckBox* cxWide = new QCheckBox(QStringLiteral("Wide"), &Form);
    QGroupBox* cxGroup = new QGroupBox(QStringLiteral("Group"), &Form);
    QRadioButton* cxRadio = new QRadioButton(QStringLiteral("Radio"), cxGroup);
    QComboBox* cxPower = new QComboBox(&Form);
    QComboBox* cxTone = new QComboBox(&Form);
    QComboBox* cxPort = new QComboBox(&Form);
    QListWidget* lbItems = new QListWidget(&Form);
    QTabWidget* pcPages = new QTabWidget(&Form);
    QWidget* tsFirst = new QWidget;
    QTableWidget* vlInfo = new QTableWidget(2, 2, &Form);
    QAction* nEntry = new QAction(QStringLiteral("&Entry"), &Form);
    TEditorWindow* fInner = new TEditorWindow(&Form);
    QLabel* lInner = new QLabel(QStringLiteral("Inner"), fInner);

    TProbeForm()
    {
        Form.setObjectName(QStringLiteral("fProbe"));
        Form.setWindowTitle(QStringLiteral("Probe"));
        lName->setObjectName(QStringLiteral("lName"));
        lPicture->setObjectName(QStringLiteral("lPicture"));
        lPicture->setPixmap(QPixmap(8, 8));
        btnOk->setObjectName(QStringLiteral("btnOk"));
        cxWide->setObjectName(QStringLiteral("cxWide"));
        cxGroup->setObjectName(QStringLiteral("cxGroup"));
        cxRadio->setObjectName(QStringLiteral("cxRadio"));
        cxPower->setObjectName(QStringLiteral("cxPower"));
        cxPower->addItems({"Low", "High"});
        cxPower->setCurrentIndex(1);
        cxTone->setObjectName(QStringLiteral("cxTone"));
        cxTone->setProperty("tag", -3);
        cxTone->addItems({"None", "67.0", "71.9"});
        cxTone->setCurrentIndex(2);
        cxPort->setObjectName(QStringLiteral("cxPort"));
        cxPort->setProperty("tag", -2);
        cxPort->addItems({"COM1", "COM2"});
        lbItems->setObjectName(QStringLiteral("lbItems"));
        lbItems->addItems({"One", "Two"});
        pcPages->setObjectName(QStringLiteral("pcPages"));
        tsFirst->setObjectName(QStringLiteral("tsFirst"));
        pcPages->addTab(tsFirst, QStringLiteral("First"));
        vlInfo->setObjectName(QStringLiteral("vlInfo"));
        vlInfo->setProperty("keyValueList", true);
        vlInfo->setItem(0, 1, new QTableWidgetItem(QStringLiteral("value 1")));
        nEntry->setObjectName(QStringLiteral("nEntry"));
        nEntry->setToolTip(QStringLiteral("Entry hint"));
        fInner->setObjectName(QStringLiteral("fInner"));
        lInner->setObjectName(QStringLiteral("lInner"));
    }
};

const QByteArray kProbeFile = "[Language]\n"
                              "Confirmation=Bestaetigung\n"
                              "[fProbe]\n"
                              "fProbe.Caption=Sonde\n"
                              "lName.Caption=Rufname\n"
                              "lPicture.Caption=\n"
                              "btnOk.Caption=&Gut\n"
                              "cxWide.Caption=Breit\n"
                              "cxGroup.Caption=Gruppe\n"
                              "cxRadio.Caption=Knopf\n"
                              "cxPower.0=Niedrig\n"
                              "cxPower.1=Hoch\n"
                              "cxTone.0=Kein\n"
                              "cxTone.1=99.9\n"
                              "cxPort.0=Anschluss\n"
                              "lbItems.1=Zwei\n"
                              "tsFirst.Caption=Erste\n"
                              "vlInfo.1=Wert 1\n"
                              "vlInfo.2=Wert 2\n"
                              "nEntry.Caption=&Eintrag\n"
                              "nEntry.Hint=Eintrag Hinweis\n"
                              "lInner.Caption=Falsch\n";

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

  private:
    QString AppDir;

    void UseLanguageFile(const char* name, const QByteArray& text, int index = 1)
    {
        WriteFile(AppDir + QString::fromLatin1(name) + QStringLiteral(".Ini"), text);
        gAll.LanguageName = name;
        gAll.LanguageIndex = index;
    }

  private slots:
    void init() { AppDir = InitTestState(); }

    void appliesEveryKindOfControl()
    {
        UseLanguageFile("Probe", kProbeFile);
        TProbeForm probe;
        QVERIFY(ApplyLanguage(&probe.Form, false));
        QCOMPARE(probe.Form.windowTitle(), QStringLiteral("Sonde"));
        QCOMPARE(probe.lName->text(), QStringLiteral("Rufname"));
        QCOMPARE(probe.btnOk->text(), QStringLiteral("&Gut"));
        QCOMPARE(probe.cxWide->text(), QStringLiteral("Breit"));
        QCOMPARE(probe.cxGroup->title(), QStringLiteral("Gruppe"));
        QCOMPARE(probe.cxRadio->text(), QStringLiteral("Knopf"));
        QCOMPARE(probe.pcPages->tabText(0), QStringLiteral("Erste"));
        QCOMPARE(probe.nEntry->text(), QStringLiteral("&Eintrag"));
        QCOMPARE(probe.nEntry->toolTip(), QStringLiteral("Eintrag Hinweis"));
        QCOMPARE(probe.vlInfo->item(0, 1)->text(), QStringLiteral("Wert 1"));
        QCOMPARE(probe.vlInfo->item(1, 1)->text(), QStringLiteral("Wert 2"));
        // A picture is not replaced by an empty caption.
        QVERIFY(!probe.lPicture->pixmap().isNull());
    }

    void listTagsDecideWhatIsTranslated()
    {
        UseLanguageFile("Probe", kProbeFile);
        TProbeForm probe;
        ApplyLanguage(&probe.Form, false);
        QCOMPARE(probe.cxPower->itemText(0), QStringLiteral("Niedrig"));
        QCOMPARE(probe.cxPower->currentIndex(), 1);
        QCOMPARE(probe.cxTone->itemText(0), QStringLiteral("Kein"));
        QCOMPARE(probe.cxTone->itemText(1), QStringLiteral("67.0")); // tag -3: only the first item
        QCOMPARE(probe.cxTone->currentIndex(), 2);
        QCOMPARE(probe.cxPort->itemText(0), QStringLiteral("COM1"));     // tag -2: never
        QCOMPARE(probe.lbItems->item(0)->text(), QStringLiteral("One")); // missing key: unchanged
        QCOMPARE(probe.lbItems->item(1)->text(), QStringLiteral("Zwei"));
    }

    // An editor window inside the form has a section of its own.
    void leavesOtherFormsAlone()
    {
        UseLanguageFile("Probe", kProbeFile);
        TProbeForm probe;
        ApplyLanguage(&probe.Form, false);
        QCOMPARE(probe.lInner->text(), QStringLiteral("Inner"));
    }

    void firstLanguageKeepsBuiltInTextsUnlessForced()
    {
        UseLanguageFile("Probe", kProbeFile, 0);
        TProbeForm probe;
        QVERIFY(!ApplyLanguage(&probe.Form, false));
        QCOMPARE(probe.lName->text(), QStringLiteral("Name"));
        QVERIFY(ApplyLanguage(&probe.Form, true));
        QCOMPARE(probe.lName->text(), QStringLiteral("Rufname"));
    }

    void missingFileChangesNothing()
    {
        gAll.LanguageName = "Nowhere";
        gAll.LanguageIndex = 1;
        TProbeForm probe;
        QVERIFY(ApplyLanguage(&probe.Form, true));
        QCOMPARE(probe.Form.windowTitle(), QStringLiteral("Probe"));
        QCOMPARE(probe.cxPower->itemText(0), QStringLiteral("Low"));
    }

    void setLanguageOffersTheSettingsLanguages()
    {
        TLanguageWindow dialog;
        dialog.show();
        QCOMPARE(dialog.cxLangs[0]->text(), QStringLiteral("English"));
        QCOMPARE(dialog.cxLangs[1]->text(), QStringLiteral("Chinese"));
        QVERIFY(!dialog.cxLangs[2]->isVisible());
        QVERIFY(dialog.cxLangs[0]->isChecked());
        dialog.btnOk->click();
        QVERIFY(!dialog.Changed);

        TLanguageWindow again;
        again.show();
        again.cxLangs[1]->setChecked(true);
        again.btnOk->click();
        QVERIFY(again.Changed);
        QCOMPARE(gAll.LanguageIndex, 1);
        QCOMPARE(gAll.LanguageName, std::string("Chinese"));
    }

    // The display names may list more languages than there are file names: such a choice changes nothing.
    void languageWithoutFileNameChangesNothing()
    {
        WriteFile(AppDir + QStringLiteral("SysInfo.Ini"),
                  "[SysInfo]\nLanguage=English\nEnglish=English|Chinese|Deutsch\n");
        TLanguageWindow dialog;
        dialog.show();
        QVERIFY(dialog.cxLangs[2]->isVisible());
        dialog.cxLangs[2]->setChecked(true);
        dialog.btnOk->click();
        QVERIFY(!dialog.Changed);
        QCOMPARE(gAll.LanguageIndex, 0);
        QCOMPARE(gAll.LanguageName, std::string("English"));
        QFile::remove(AppDir + QStringLiteral("SysInfo.Ini"));
    }

    void aboutBoxSizesToItsLines_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<int>("lastLine");
        QTest::addColumn<QString>("firstText");
        QTest::newRow("no language file") << QByteArray() << 9 << "1";
        QTest::newRow("five lines") << QByteArray("lStr1.Caption=A\nlStr5.Caption=E\nlStr6.Caption=\n"
                                                  "lStr7.Caption= \nlStr8.Caption=\nlStr9.Caption=\n")
                                    << 5 << "A";
        QTest::newRow("line 8 filled") << QByteArray("lStr1.Caption=A\nlStr6.Caption=\nlStr7.Caption=\n"
                                                     "lStr8.Caption=H\nlStr9.Caption=\n")
                                       << 8 << "A";
    }

    void aboutBoxSizesToItsLines()
    {
        QFETCH(QByteArray, lines);
        QFETCH(int, lastLine);
        QFETCH(QString, firstText);
        if (lines.isEmpty())
            gAll.LanguageName = "Nowhere";
        else
            UseLanguageFile("About", "[fFrmAbout]\n" + lines, 0); // the About box always applies its texts
        TAboutWindow about;
        about.show();
        QCOMPARE(about.windowTitle(), QStringLiteral("QB-H52"));
        QCOMPARE(about.Lines[0]->text(), firstText);
        // The Close button comes right under the last filled line, and the box ends under the button.
        const int lastBottom = about.Lines[lastLine - 1]->geometry().bottom() + 1;
        QCOMPARE(about.btClose->geometry().top(), lastBottom + 10);
        QCOMPARE(about.height(), about.btClose->geometry().bottom() + 1 + 10);
        QTest::mouseClick(about.Lines[1], Qt::LeftButton);
        QVERIFY(!about.isVisible());
        about.show();
        QTest::mouseClick(about.btClose, Qt::LeftButton);
        QVERIFY(!about.isVisible());
    }

    void aboutBoxNamesTheVersionAndTheLicence()
    {
        TAboutWindow about;
        about.show();
        QCOMPARE(about.Lines[1]->text(), QStringLiteral("Version ") + QString::fromStdString(ProgramVersion()));
        QVERIFY(about.Lines[5]->text().contains(QStringLiteral("GNU GPL version 3 or later")));
        QCOMPARE(about.btClose->text(), QStringLiteral("&Close"));
    }

    // Both shipped files carry every message, and the Chinese file really translates them.
    void shippedFilesHoldEveryMessage()
    {
        const char* keys[] = {"Confirmation", "OutRange",   "ErrRange",  "Channel",   "Info",   "Caution",
                              "SaveProgram",  "FileExists", "All",       "Close",     "Open",   "ComError",
                              "ModError",     "PwdError",   "ModelType", "Frequency", "ReadOk", "WriteOk",
                              "PortError",    "ClearData",  "Modforce"};
        TProfile english;
        TProfile chinese;
        QVERIFY(english.Load(LanguageFilePath(gAll, "English")));
        QVERIFY(chinese.Load(LanguageFilePath(gAll, "Chinese")));
        for (const char* key : keys) {
            const std::string inEnglish = english.ReadString("Language", key, "?missing");
            const std::string inChinese = chinese.ReadString("Language", key, "?missing");
            QVERIFY2(inEnglish != "?missing" && inChinese != "?missing", key);
            QVERIFY2(inEnglish != inChinese, key);
        }
        QCOMPARE(english.ReadString("Language", "Info", ""), std::string(" Information"));
    }

    // Switching back to English must restore every text the Chinese file replaced in the shell's windows.
    void englishCoversEveryChineseWindowText()
    {
        TProfile english;
        TProfile chinese;
        QVERIFY(english.Load(LanguageFilePath(gAll, "English")));
        QVERIFY(chinese.Load(LanguageFilePath(gAll, "Chinese")));
        std::string section;
        for (const std::string& line : chinese.Lines()) {
            if (line.rfind('[', 0) == 0) {
                section = line.substr(1, line.find(']') - 1);
                continue;
            }
            const size_t equals = line.find('=');
            if (equals == std::string::npos)
                continue;
            const std::string key = line.substr(0, equals);
            QVERIFY2(english.ReadString(section, key, "?missing") != "?missing", (section + "/" + key).c_str());
        }
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_Languages.moc"
