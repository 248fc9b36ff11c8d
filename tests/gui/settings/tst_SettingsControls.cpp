// SPDX-License-Identifier: GPL-3.0-or-later
// Every settings window against the settings table: each row of the window's section names a control the
// window has, captioned and filled as the row says, and each list and check box of the window has its row.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/files/Profile.h"
#include "core/files/StartUp.h"
#include "core/model/Derivations.h"
#include "core/model/SettingsTable.h"
#include "gui/settings/DtmfWindow.h"
#include "gui/settings/FmRadioWindow.h"
#include "gui/settings/OptionalFunctionsWindow.h"
#include "gui/settings/ScanWindow.h"
#include "gui/settings/VoxWindow.h"
#include "helpers/TestSupport.h"

namespace
{
using TOpen = std::function<std::unique_ptr<QWidget>()>;

template <class TWindow> TOpen Opener()
{
    return [] { return std::make_unique<TWindow>(); };
}

QStringList RowItems(const TSettingRow& row)
{
    QStringList items;
    for (const std::string& item : row.Items)
        items << QString::fromStdString(item);
    return items;
}

QStringList ListItems(const QComboBox* list, int count)
{
    QStringList items;
    for (int i = 0; i < count && i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

void VerifyRow(QWidget* window, const TSettingRow& row)
{
    const QString name = QString::fromStdString(row.ControlName);
    auto* control = window->findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    const QString caption = QString::fromStdString(row.Caption);
    if (!row.LabelName.empty()) {
        auto* label = window->findChild<QLabel*>(QString::fromStdString(row.LabelName));
        QVERIFY2(label, qPrintable(name));
        QCOMPARE(label->text(), caption);
        QVERIFY(!label->buddy() || label->buddy() == control);
    }
    if (auto* box = qobject_cast<QCheckBox*>(control))
        QCOMPARE(box->text(), caption);
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        // A list may add items of its own after the row's (the priority list its channel numbers).
        QCOMPARE(ListItems(list, int(row.Items.size())), RowItems(row));
        QCOMPARE(list->property("tag").toInt(), row.Tag);
    }
}

// The English language file's text of a key in the row's section; "" for a missing key.
QString EnglishText(const TProfile& english, const TSettingRow& row, const std::string& key)
{
    return QString::fromStdString(english.ReadString(row.Section, key, ""));
}

bool HasRow(const QString& section, const QString& control)
{
    for (const TSettingRow& row : SettingsTable())
        if (QString::fromStdString(row.Section) == section && QString::fromStdString(row.ControlName) == control)
            return true;
    return false;
}
} // namespace

Q_DECLARE_METATYPE(TOpen)

class TestSettingsControls : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { AppDir = InitTestState(); }
    void init()
    {
        NewDataSet(gAll, gMacList);
        gAll.LanguageIndex = 0;
    }

    void WindowMatchesItsRows_data()
    {
        QTest::addColumn<TOpen>("open");
        QTest::newRow("fOptFun") << Opener<TOptionalFunctionsWindow>();
        QTest::newRow("fDtmfFun") << Opener<TDtmfWindow>();
        QTest::newRow("fFmFun") << Opener<TFmRadioWindow>();
        QTest::newRow("fScanFun") << Opener<TScanWindow>();
        QTest::newRow("fVoxFun") << Opener<TVoxWindow>();
    }
    void WindowMatchesItsRows()
    {
        QFETCH(TOpen, open);
        const std::unique_ptr<QWidget> window = open();
        window->show();
        const QString section = window->objectName();
        QCOMPARE(section, QString::fromLatin1(QTest::currentDataTag()));
        int rows = 0;
        for (const TSettingRow& row : SettingsTable()) {
            if (QString::fromStdString(row.Section) != section)
                continue;
            ++rows;
            VerifyRow(window.get(), row);
            if (QTest::currentTestFailed())
                return;
        }
        QVERIFY(rows > 0);
        for (const QComboBox* list : window->findChildren<QComboBox*>())
            QVERIFY2(HasRow(section, list->objectName()), qPrintable(list->objectName()));
        for (const QCheckBox* box : window->findChildren<QCheckBox*>())
            QVERIFY2(HasRow(section, box->objectName()), qPrintable(box->objectName()));
    }

    // The English language file keys the same labels, check boxes and items, with the built-in texts.
    void EnglishFileKeysEveryRow()
    {
        TProfile english;
        QVERIFY(english.Load((AppDir + "English.Ini").toStdString()));
        for (const TSettingRow& row : SettingsTable()) {
            if (row.Section.empty() || row.Caption.empty())
                continue;
            const std::string& captioned = row.LabelName.empty() ? row.ControlName : row.LabelName;
            QCOMPARE(EnglishText(english, row, captioned + ".Caption"), QString::fromStdString(row.Caption));
            if (row.Tag == -2)
                continue;
            // Lists of numbers are not keyed: a missing item keeps its built-in text.
            const size_t translated = row.Tag == -3 ? 1 : row.Items.size();
            for (size_t i = 0; i < translated; ++i) {
                const QString text = EnglishText(english, row, row.ControlName + "." + std::to_string(i));
                if (!text.isEmpty())
                    QCOMPARE(text, QString::fromStdString(row.Items[i]));
            }
        }
    }

  private:
    QString AppDir;
};

QTEST_MAIN(TestSettingsControls)
#include "tst_SettingsControls.moc"
