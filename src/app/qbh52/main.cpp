// SPDX-License-Identifier: GPL-3.0-or-later
// QB-H52 Programmer: reads, edits, stores and writes the memory of the QB-H52 handheld radio.
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>

#include "core/files/Locations.h"
#include "core/files/StartUp.h"
#include "core/model/Version.h"
#include "gui/kit/ApplyLanguage.h"
#include "gui/kit/MessageBox.h"
#include "gui/kit/Pictures.h"
#include "gui/main/MainWindow.h"

namespace
{
constexpr char kUsage[] = R"(Usage: qbh52 [FILE.dat | FILE.csv]
The QB-H52 Programmer: reads, edits, stores and writes the memory of the QB-H52 handheld radio.
FILE.dat, when given, is opened as File > Open opens it; the channels of FILE.csv (CHIRP's columns) are
imported into a new data set as File > Import CSV... imports them.
  --help     show this help
  --version  show the version and the licence
)";

// --help and --version answer on the terminal without opening a window (nor needing a display).
bool AnswersOnTheTerminal(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs(VersionText("qbh52").c_str(), stdout);
            return true;
        }
    }
    return false;
}

// QBH52_GRAB_DIR=FOLDER, for scripts/screenshots.sh: once the window has settled, it is saved as FOLDER/main.png,
// then Setup > Communication Port opens and is saved as FOLDER/port.png, and the program ends. It is left out of
// --help: it makes the pictures of the documentation and serves no user.
void GrabWindows(TMainWindow& window, const QString& folder)
{
    constexpr int kSettleMs = 1500;
    QTimer::singleShot(kSettleMs, &window, [&window, folder] {
        window.grab().save(folder + QStringLiteral("/main.png"));
        QTimer::singleShot(kSettleMs, &window, [folder] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                dialog->grab().save(folder + QStringLiteral("/port.png"));
                dialog->close();
            }
        });
        window.ExecuteCommand(TCommand::Port);
        QCoreApplication::exit(0);
    });
}

// For tests that run the real program without a person at it: QBH52_TEST_ANSWERS="yes,no,..." answers the
// questions in turn ("yes", "no", "cancel" or "retry"; No once the list is used up, Cancel where Retry and Cancel
// are offered) and OK every
// message, and each box's text goes to stderr as "qbh52: box: TEXT".
void AnswerBoxesForTests()
{
    const QString answers = qEnvironmentVariable("QBH52_TEST_ANSWERS");
    if (answers.isNull())
        return;
    auto queue = std::make_shared<QStringList>(answers.split(u',', Qt::SkipEmptyParts));
    SetMessageResponder([queue](const QString&, const QString& text, TMessageKind kind) {
        std::fputs(("qbh52: box: " + text.toStdString() + "\n").c_str(), stderr);
        if (kind != TMessageKind::YesNo && kind != TMessageKind::YesNoCancel && kind != TMessageKind::RetryCancel)
            return TAnswer::Ok;
        const QString answer = queue->isEmpty() ? QString() : queue->takeFirst().trimmed().toLower();
        if (kind == TMessageKind::RetryCancel)
            return answer == QStringLiteral("retry") ? TAnswer::Retry : TAnswer::Cancel;
        if (kind == TMessageKind::YesNoCancel && answer == QStringLiteral("cancel"))
            return TAnswer::Cancel;
        return answer == QStringLiteral("yes") ? TAnswer::Yes : TAnswer::No;
    });
}

// What the program says once its window is up: a missing data folder or an unusable settings or language
// file, then the recovery copy a program left behind, then the file it was asked to open.
void AfterShow(TMainWindow& window, const std::vector<std::string>& problems, const QStringList& files)
{
    for (const std::string& problem : problems)
        ShowMessageBox(QString::fromStdString(gAll.AppTitle), QString::fromStdString(problem), TMessageKind::Warning);
    window.OfferRecovery();
    if (!files.isEmpty())
        window.OpenFile(files.first());
}
} // namespace

int main(int argc, char* argv[])
{
    if (AnswersOnTheTerminal(argc, argv))
        return 0;
    QApplication app(argc, argv);
    // Creating the application switched the C library to the user's number format; the radio's files and
    // texts always use "." as the decimal separator.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("QB-H52"));
    QApplication::setApplicationVersion(QString::fromStdString(ProgramVersion()));
    QApplication::setDesktopFileName(QStringLiteral("qbh52"));
    QApplication::setWindowIcon(AppIcon());
    AnswerBoxesForTests();
    // Said on the terminal at once, and in messages once the window is up; the program goes on either way.
    const std::vector<std::string> problems = StartUp(QApplication::applicationDirPath().toStdString() + "/");
    for (const std::string& problem : problems)
        std::fputs(("qbh52: " + problem + "\n").c_str(), stderr);
    UseQtTranslations(gAll.LanguageName);
    TMainWindow mainFrm;
    // The place the last run left; the first start fills the screen. Without a window manager (a bare X
    // server) "maximised" means nothing; the screen's size still holds.
    if (mainFrm.RestorePlace()) {
        mainFrm.show();
    } else {
        mainFrm.setGeometry(mainFrm.screen()->availableGeometry());
        mainFrm.showMaximized();
    }
    const QStringList files = QApplication::arguments().mid(1);
    QTimer::singleShot(0, &mainFrm, [&mainFrm, problems, files] { AfterShow(mainFrm, problems, files); });
    if (const QString grabFolder = qEnvironmentVariable("QBH52_GRAB_DIR"); !grabFolder.isEmpty())
        GrabWindows(mainFrm, grabFolder);
    return app.exec();
}
