// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the channel editor tests: a stand-in for the main window's refresh operations, typing into boxes,
// and answering the modal tone picker.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "core/files/StartUp.h"
#include "core/model/Views.h"
#include "gui/channels/TonePicker.h"
#include "gui/kit/EditorWindow.h"

// Records every refresh with the current channel at that moment and every committed step, and routes the
// refreshes to the open windows the way the main window does.
class TViewsLog : public TViewsHost
{
  public:
    TViewsLog() { SetViewsHost(this); }
    ~TViewsLog() override { SetViewsHost(nullptr); }
    void RefreshViews(TRefresh kind) override
    {
        Kinds << kind;
        Channels << gAll.CurrentChannel;
        if (kind == TRefresh::CurrentRow && Table)
            Table->ReloadChannel(gAll.CurrentChannel);
        if (kind == TRefresh::TableAndEditor && Table)
            Table->Reload();
        if ((kind == TRefresh::ChannelEditor || kind == TRefresh::TableAndEditor) && Edit)
            Edit->Reload();
    }
    void RefreshStatus() override {}
    void ExecuteCommand(TCommand command) override { Commands << command; }
    // As the main window does, minus the history: every committed change leaves the data set modified.
    void CommitEdit(const std::string& caption) override
    {
        Commits << QString::fromStdString(caption);
        gAll.Modified = true;
    }
    void ShowNote(const std::string& text) override { Notes << QString::fromStdString(text); }
    QStringList Commits;
    QStringList Notes;
    QList<TRefresh> Kinds;
    QList<TCommand> Commands;
    QList<int> Channels;
    TEditorWindow* Table = nullptr;
    TEditorWindow* Edit = nullptr;
};

// Replaces a box's text as a user does (select all, type) and commits it with Enter.
inline void TypeInto(QLineEdit* box, const QString& text)
{
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    else
        QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

inline void DoubleClickCell(QTableWidget* grid, int row, int column)
{
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

// Acts on the tone picker as soon as it is shown modally. If it never shows, the next modal window is rejected
// after a few seconds so that the test fails instead of hanging.
inline void AnswerPicker(std::function<void(TTonePicker*)> answer)
{
    auto* poll = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, tries, answer] {
        auto* picker = qobject_cast<TTonePicker*>(QApplication::activeModalWidget());
        if (picker && picker->isVisible()) {
            poll->deleteLater();
            poll->stop();
            answer(picker);
            return;
        }
        if (++*tries > 300) {
            poll->stop();
            poll->deleteLater();
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        }
    });
    poll->start(10);
}
