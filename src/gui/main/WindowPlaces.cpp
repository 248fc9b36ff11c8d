// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main/WindowPlaces.h"

#include <QLocale>
#include <QMdiSubWindow>
#include <QStringList>
#include <algorithm>

#include "core/files/Profile.h"
#include "core/files/SettingsFile.h"
#include "core/files/StartUp.h"
#include "gui/kit/Grid.h"
#include "gui/main/EditorList.h"

namespace
{
const char* const kSection = "Windows";
const QString kMainKey = QStringLiteral("Main");
const QString kColumnsSuffix = QStringLiteral(".Columns");
// Narrower than this a column would vanish; wider it is no column anybody made.
constexpr int kMinColumn = 8;
constexpr int kMaxColumn = 2000;

QString NumberList(const QList<int>& numbers)
{
    QStringList texts;
    for (int n : numbers)
        texts << QLocale::c().toString(n);
    return texts.join(u',');
}

// The numbers of a comma list; empty when any of them is not a whole number.
QList<int> ParseNumbers(const QString& text)
{
    QList<int> numbers;
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        numbers << QLocale::c().toInt(part.trimmed(), &ok);
        if (!ok)
            return {};
    }
    return numbers;
}

QStringList Keys()
{
    QStringList keys{kMainKey};
    for (const TEditorEntry& entry : EditorList())
        keys << QString::fromLatin1(entry.FormName) << QString::fromLatin1(entry.FormName) + kColumnsSuffix;
    return keys;
}
} // namespace

void TWindowPlaces::Load()
{
    TProfile settings;
    settings.Load(SettingsReadPath(gAll));
    Values.clear();
    for (const QString& key : Keys()) {
        const std::string value = settings.ReadString(kSection, key.toStdString(), "");
        if (!value.empty())
            Values.insert(key, QString::fromStdString(value));
    }
}

bool TWindowPlaces::RestoreMain(QWidget& window) const
{
    const QByteArray state = QByteArray::fromBase64(Values.value(kMainKey).toLatin1());
    return !state.isEmpty() && window.restoreGeometry(state);
}

void TWindowPlaces::Restore(QMdiSubWindow& window, const QString& formName) const
{
    const QList<int> place = ParseNumbers(Values.value(formName));
    if (place.size() == 4 && place[2] > 0 && place[3] > 0)
        window.setGeometry(place[0], place[1], place[2], place[3]);
    TGrid* grid = window.findChild<TGrid*>();
    const QList<int> widths = ParseNumbers(Values.value(formName + kColumnsSuffix));
    if (!grid || widths.size() != grid->ColCount() - 1)
        return;
    for (int col = 1; col < grid->ColCount(); ++col)
        grid->SetColWidth(col, std::clamp(widths[col - 1], kMinColumn, kMaxColumn));
}

void TWindowPlaces::Remember(const QMdiSubWindow& window, const QString& formName)
{
    if (!window.isMaximized() && !window.isMinimized()) {
        const QRect place = window.geometry();
        Values.insert(formName, NumberList({place.x(), place.y(), place.width(), place.height()}));
    }
    if (const TGrid* grid = window.findChild<TGrid*>()) {
        QList<int> widths;
        for (int col = 1; col < grid->ColCount(); ++col)
            widths << grid->ColWidth(col);
        Values.insert(formName + kColumnsSuffix, NumberList(widths));
    }
}

bool TWindowPlaces::Save(const QWidget& window, std::string& error)
{
    Values.insert(kMainKey, QString::fromLatin1(window.saveGeometry().toBase64()));
    std::vector<std::pair<std::string, std::string>> values;
    for (auto it = Values.cbegin(); it != Values.cend(); ++it)
        values.emplace_back(it.key().toStdString(), it.value().toStdString());
    return SaveSettingsValues(gAll, kSection, values, error);
}
