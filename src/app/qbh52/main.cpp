// QB-H52 Programmer: reads, edits, stores and writes the memory of the QB-H52 handheld radio.
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <clocale>

#include "core/files/StartUp.h"
#include "gui/kit/MessageBox.h"
#include "gui/kit/Pictures.h"
#include "gui/main/MainWindow.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Creating the application switched the C library to the user's number format; the radio's files and
    // texts always use "." as the decimal separator.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("QB-H52"));
    QApplication::setWindowIcon(AppIcon());
    const std::vector<std::string> problems = StartUp(QApplication::applicationDirPath().toStdString() + "/");
    TMainWindow mainFrm;
    // Without a window manager (a bare X server) "maximised" means nothing; the screen's size still holds.
    mainFrm.setGeometry(mainFrm.screen()->availableGeometry());
    mainFrm.showMaximized();
    // Told once the window is up; the program goes on with the defaults either way.
    QTimer::singleShot(0, &mainFrm, [&problems] {
        for (const std::string& problem : problems)
            ShowMessageBox(QString::fromStdString(gLanguage.Caution), QString::fromStdString(problem),
                           TMessageKind::Information);
    });
    return app.exec();
}
