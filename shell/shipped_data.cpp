// shipped_data.cpp -- finding the shipped files and settling in the player's game folder.
#include "shell/shipped_data.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "game/placeholders.h"
#include "game/texts.h"
#include "shell/game_folder.h"
#include "shell/language.h"
#include "shell/message_box.h"
#include "shell/modal.h"
#include "shell/shell_texts.h"

namespace {

void ReportProblem(ModalRunner& modal, const QString& problem) {
    GameMessageBox box(problem, GameText(ErrorCaption), MessageButtons::Ok, MessageIcon::Stop);
    modal.Run(box);
}

// The problem in the language in use.
QString ProblemText(const FolderOutcome& outcome) {
    if (outcome.problemText == nullptr) return QString::fromStdString(outcome.problem);
    return QString::fromStdString(
        FillPlaceholders(ShellText(outcome.problemText).toStdString(), outcome.problemValues));
}

}  // namespace

QString ShippedDataFolder() {
    const QDir executable(QCoreApplication::applicationDirPath());
    const QString installed = QDir::cleanPath(
        executable.filePath(QStringLiteral("../share/games/zarnok")));
    if (QFileInfo(installed + QStringLiteral("/Data.dat")).isFile()) return installed;
    if (QFileInfo(executable.filePath(QStringLiteral("Data.dat"))).isFile())
        return executable.path();
    return installed;
}

void EnterGameFolder(ModalRunner& modal) {
    const std::string shipped =
        QFile::encodeName(ShippedDataFolder() + QStringLiteral("/Data.dat")).toStdString();
    const GameFolder place = ChooseGameFolder(shipped, std::getenv("XDG_DATA_HOME"),
                                              std::getenv("HOME"));
    if (place.outcome.update == FolderUpdate::Failed)
        ReportProblem(modal, ProblemText(place.outcome));
    // Even after a failed refresh the player's folder holds the player's file.
    if (place.folder.empty() || !QFileInfo(QFile::decodeName(place.folder.c_str())).isDir()) return;
    if (chdir(place.folder.c_str()) != 0)
        ReportProblem(modal, ShellText(FolderEnterFailedText)
                                 .arg(QFile::decodeName(place.folder.c_str()),
                                      QString::fromLocal8Bit(std::strerror(errno))));
}
