// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpers/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <clocale>

#include "core/files/LanguageFile.h"
#include "core/files/StartUp.h"
#include "core/model/Derivations.h"
#include "core/model/Views.h"
#include "gui/channels/ChannelTableWindow.h"
#include "gui/kit/Grid.h"
#include "gui/kit/MessageBox.h"
#include "gui/main/MainWindow.h"

TMessageRecorder::TMessageRecorder()
{
    SetMessageResponder([this](const QString& caption, const QString& text, TMessageKind kind) {
        Shown.append({caption, text, kind});
        if (!Answers.empty()) {
            const TAnswer answer = Answers.front();
            Answers.pop_front();
            return answer;
        }
        return kind == TMessageKind::YesNo || kind == TMessageKind::YesNoCancel ? TAnswer::Yes
               : kind == TMessageKind::RetryCancel                              ? TAnswer::Retry
                                                                                : TAnswer::Ok;
    });
    SetFileDialogResponder([this](bool, const QString& start) {
        ++FileDialogs;
        FileDialogStarts << start;
        if (FileNames.empty())
            return QString();
        const QString path = FileNames.front();
        FileNames.pop_front();
        return path;
    });
}

TMessageRecorder::~TMessageRecorder()
{
    SetMessageResponder(nullptr);
    SetFileDialogResponder(nullptr);
}

QStringList TMessageRecorder::Texts() const
{
    QStringList texts;
    for (const auto& box : Shown)
        texts << box.Text;
    return texts;
}

namespace
{
// Stands in for the main window in tests of a single window: a committed change leaves the data set modified,
// as the main window's history does for any step away from the saved state.
class TModifiedOnCommit : public TViewsHost
{
  public:
    void RefreshViews(TRefresh) override {}
    void RefreshStatus() override {}
    void ExecuteCommand(TCommand) override {}
    void CommitEdit(const std::string&) override { gAll.Modified = true; }
};
} // namespace

QString InitTestState()
{
    static TModifiedOnCommit views;
    SetViewsHost(&views);
    std::setlocale(LC_NUMERIC, "C");
    static QTemporaryDir dir;
    const QString appDir = dir.path() + "/";
    const QDir bin(QStringLiteral(QBH52_BIN_DIR));
    for (const QString& name : bin.entryList({QStringLiteral("*.Ini")}, QDir::Files)) {
        if (name.compare(QStringLiteral("SysInfo.Ini"), Qt::CaseInsensitive) == 0)
            continue;
        QFile::remove(appDir + name);
        QFile::copy(bin.filePath(name), appDir + name);
    }
    QFile::remove(appDir + QStringLiteral("SysInfo.Ini"));
    gAll = TAppState();
    gMacList = TModelCatalogue();
    InitState(gAll, gMacList, appDir.toStdString());
    gAll.LanguageIndex = 0;
    gAll.LanguageName = "English";
    gAll.ComPort = "COM1";
    gLanguage = TMessageTexts();
    PrepareFirstImage(gAll, gMacList);
    NewDataSet(gAll, gMacList);
    return appDir;
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

TChannelTableWindow* Table(TMainWindow& frm)
{
    return qobject_cast<TChannelTableWindow*>(frm.Editor(QStringLiteral("fChsInfo")));
}

int Column(TChannelTableWindow* table, TChannelField field)
{
    for (int c = 1; c < table->gvChs->ColCount(); ++c)
        if (table->ColumnField(c).first == field)
            return c;
    return -1;
}
