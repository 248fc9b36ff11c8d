// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/kit/ApplyLanguage.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTranslator>
#include <QWidget>
#include <algorithm>

#include "core/files/LanguageFile.h"
#include "core/files/Profile.h"
#include "core/files/StartUp.h"
#include "gui/kit/EditorWindow.h"

namespace
{

// Lists whose items are port names, model names or numbers carry tag -2; tag -3 translates only the
// prompt in item 0.
constexpr int kTagNeverTranslate = -2;
constexpr int kTagFirstItemOnly = -3;

// Marks the item views named after their form, whose names follow the form's title.
constexpr char kNamedForForm[] = "qbh52NamedForForm";

// The controls that a label before them names: inputs, and buttons without a caption of their own.
bool IsCaptionedControl(const QWidget* widget)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text().isEmpty();
    return qobject_cast<const QComboBox*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QAbstractSlider*>(widget);
}

// A label that names what follows it, not a separator such as "---".
bool IsCaption(const QWidget* widget)
{
    const auto* label = qobject_cast<const QLabel*>(widget);
    return label && label->text().contains(QRegularExpression(QStringLiteral("\\p{L}")));
}

// The controls the label names in the layout that holds it (nested layouts searched too): in a grid, those in
// its row up to the next caption (a range's two ends, a row's switches); in a box, the item after it.
QList<QWidget*> ControlsAfter(QLayout* layout, QWidget* label)
{
    const int at = layout->indexOf(label);
    if (at < 0) {
        for (int i = 0; i < layout->count(); ++i)
            if (QLayout* inner = layout->itemAt(i)->layout())
                if (const QList<QWidget*> found = ControlsAfter(inner, label); !found.isEmpty())
                    return found;
        return {};
    }
    QList<QWidget*> controls;
    auto* grid = qobject_cast<QGridLayout*>(layout);
    if (!grid) {
        QLayoutItem* next = layout->itemAt(at + 1);
        if (next && IsCaptionedControl(next->widget()))
            controls << next->widget();
        return controls;
    }
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(at, &row, &column, &rows, &columns);
    for (int c = column + columns; c < grid->columnCount(); ++c) {
        QLayoutItem* item = grid->itemAtPosition(row, c);
        QWidget* widget = item ? item->widget() : nullptr;
        if (IsCaption(widget))
            break;
        if (IsCaptionedControl(widget) && !controls.contains(widget))
            controls << widget;
    }
    return controls;
}

// "&Port" is read "Port".
QString WithoutMnemonic(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1")).trimmed();
}

// The language files whose language Qt's translations speak too, with the locale of those translations.
constexpr std::pair<const char*, const char*> kQtLocales[] = {{"Chinese", "zh_CN"}};

class TTextSource
{
  public:
    TTextSource(const TProfile& profile, const QString& section) : File(profile), Section(section.toStdString()) {}

    QString Read(const QString& key, const QString& current) const
    {
        const std::string value = File.ReadString(Section, key.toStdString(), current.toStdString());
        return QString::fromStdString(value);
    }
    QString Caption(const QObject* object, const QString& current) const
    {
        return Read(object->objectName() + QStringLiteral(".Caption"), current);
    }
    QString Item(const QObject* object, int n, const QString& current) const
    {
        return Read(object->objectName() + QLatin1Char('.') + QString::number(n), current);
    }

  private:
    const TProfile& File;
    std::string Section;
};

int TagOf(const QObject* object)
{
    return object->property("tag").toInt();
}

// A label holding a picture keeps it: setText would replace the picture with an empty text.
void ApplyLabel(const TTextSource& texts, QLabel* label)
{
    const QString text = texts.Caption(label, label->text());
    if (text != label->text())
        label->setText(text);
}

// Menu entries and toolbar buttons are actions; their hint is the tool tip.
void ApplyAction(const TTextSource& texts, QAction* action)
{
    action->setText(texts.Caption(action, action->text()));
    action->setToolTip(texts.Read(action->objectName() + QStringLiteral(".Hint"), action->toolTip()));
}

void ApplyComboBox(const TTextSource& texts, QComboBox* box)
{
    const int tag = TagOf(box);
    if (tag == kTagNeverTranslate)
        return;
    const int selected = box->currentIndex();
    const int last = tag == kTagFirstItemOnly ? std::min(1, box->count()) : box->count();
    for (int i = 0; i < last; ++i)
        box->setItemText(i, texts.Item(box, i, box->itemText(i)));
    box->setCurrentIndex(selected);
}

void ApplyListBox(const TTextSource& texts, QListWidget* list)
{
    if (TagOf(list) == kTagNeverTranslate)
        return;
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setText(texts.Item(list, i, list->item(i)->text()));
}

// A key-value list is a two-column table marked with the property "keyValueList"; its rows count from 1.
void ApplyKeyValueList(const TTextSource& texts, QTableWidget* table)
{
    for (int r = 1; r <= table->rowCount(); ++r) {
        QTableWidgetItem* value = table->item(r - 1, 1);
        if (!value) {
            value = new QTableWidgetItem;
            table->setItem(r - 1, 1, value);
        }
        value->setText(texts.Item(table, r, value->text()));
    }
}

// A tab sheet is a page of a tab widget: its caption is the tab's text.
bool ApplyTabSheet(const TTextSource& texts, QWidget* page)
{
    auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    if (!tabs)
        return false;
    const int index = tabs->indexOf(page);
    if (index >= 0)
        tabs->setTabText(index, texts.Caption(page, tabs->tabText(index)));
    return true;
}

void ApplyComponent(const TTextSource& texts, QObject* object)
{
    if (auto* action = qobject_cast<QAction*>(object))
        return ApplyAction(texts, action);
    if (auto* label = qobject_cast<QLabel*>(object))
        return ApplyLabel(texts, label);
    if (auto* menu = qobject_cast<QMenu*>(object))
        return menu->setTitle(texts.Caption(menu, menu->title()));
    if (auto* button = qobject_cast<QAbstractButton*>(object))
        return button->setText(texts.Caption(button, button->text()));
    if (auto* box = qobject_cast<QComboBox*>(object))
        return ApplyComboBox(texts, box);
    if (auto* group = qobject_cast<QGroupBox*>(object))
        return group->setTitle(texts.Caption(group, group->title()));
    if (auto* list = qobject_cast<QListWidget*>(object))
        return ApplyListBox(texts, list);
    if (auto* table = qobject_cast<QTableWidget*>(object)) {
        if (table->property("keyValueList").toBool())
            ApplyKeyValueList(texts, table);
        return;
    }
    if (auto* widget = qobject_cast<QWidget*>(object))
        ApplyTabSheet(texts, widget);
}

// Another window living inside this one (an editor in the main window's document area, a dialog) is a
// form of its own with its own section; its controls are not this form's components. Menus are windows too,
// but they belong to the form.
bool IsOtherForm(const QObject* object)
{
    const auto* widget = qobject_cast<const QWidget*>(object);
    if (!widget)
        return false;
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog || qobject_cast<const TEditorWindow*>(widget);
}

// Depth first, children in the order the form created them.
void VisitChildren(const TTextSource& texts, const QObject* parent)
{
    for (QObject* child : parent->children()) {
        if (IsOtherForm(child))
            continue;
        if (!child->objectName().isEmpty())
            ApplyComponent(texts, child);
        VisitChildren(texts, child);
    }
}

} // namespace

bool ApplyLanguage(QWidget* form, bool force)
{
    if (!form)
        return false;
    if (!force && gAll.LanguageIndex == 0) {
        NameControls(form);
        return false;
    }
    TProfile profile;
    profile.Load(LanguageFilePath(gAll, gAll.LanguageName));
    const TTextSource texts(profile, form->objectName());
    form->setWindowTitle(texts.Caption(form, form->windowTitle()));
    VisitChildren(texts, form);
    NameControls(form);
    return true;
}

void NameControls(QWidget* form)
{
    for (QLabel* label : form->findChildren<QLabel*>()) {
        const QString caption = WithoutMnemonic(label->text());
        if (caption.isEmpty())
            continue;
        QList<QWidget*> controls;
        if (label->buddy())
            controls << label->buddy();
        else if (label->parentWidget() && label->parentWidget()->layout())
            controls = ControlsAfter(label->parentWidget()->layout(), label);
        if (!controls.isEmpty() && !label->buddy())
            label->setBuddy(controls.first());
        for (QWidget* control : controls)
            control->setAccessibleName(caption);
    }
    const QString title = WithoutMnemonic(form->windowTitle());
    for (QAbstractItemView* view : form->findChildren<QAbstractItemView*>()) {
        if (view->accessibleName().isEmpty() || view->property(kNamedForForm).toBool()) {
            view->setAccessibleName(title);
            view->setProperty(kNamedForForm, true);
        }
    }
}

bool UseQtTranslations(const std::string& languageName)
{
    static QTranslator* translator = new QTranslator(QCoreApplication::instance());
    QCoreApplication::removeTranslator(translator);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const auto& [name, locale] : kQtLocales)
        if (languageName == name && translator->load(QLocale(QString::fromLatin1(locale)), QStringLiteral("qtbase"),
                                                     QStringLiteral("_"), folder))
            return QCoreApplication::installTranslator(translator);
    return false;
}
