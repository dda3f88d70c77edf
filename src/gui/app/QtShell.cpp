#include "gui/app/QtShell.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>

namespace arbovane {

std::string QtFilterOf(const std::string& windowsFilter) {
    const QStringList parts = QString::fromStdString(windowsFilter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        if (!description.contains('(')) description += " (" + patterns + ")";
        filters << description;
    }
    return filters.join(";;").toStdString();
}

std::string QtShell::HostOf(const std::string& windowsPath) const {
    if (windowsPath.empty()) return {};
    return toHost_(windowsPath).value_or(std::string());
}

bool QtShell::ToWindows(const std::string& hostPath, std::string& chosen) const {
    if (hostPath.empty()) return false;
    const auto windows = toWindows_(hostPath);
    if (!windows) return false;
    chosen = *windows;
    return true;
}

bool QtShell::BrowseForFolder(const std::string& caption, const std::string& startFolder,
                              std::string& chosen) {
    const QString folder = QFileDialog::getExistingDirectory(
        QApplication::activeWindow(), QString::fromStdString(caption),
        QString::fromStdString(HostOf(startFolder)));
    return ToWindows(folder.toStdString(), chosen);
}

bool QtShell::BrowseForFolders(const std::string& caption, const std::string& startFolder,
                               std::vector<std::string>& chosen) {
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(caption),
                       QString::fromStdString(HostOf(startFolder)));
    dialog.setFileMode(QFileDialog::Directory);
    // The platforms' own folder dialogs take one folder; Qt's lists folders in views that can
    // select several.
    dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    for (const char* name : {"listView", "treeView"})
        for (auto* view : dialog.findChildren<QAbstractItemView*>(name))
            view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    if (dialog.exec() != QDialog::Accepted) return false;
    chosen.clear();
    for (const QString& folder : dialog.selectedFiles()) {
        std::string windows;
        chosen.push_back(ToWindows(folder.toStdString(), windows) ? windows : std::string());
    }
    return !chosen.empty();
}

std::optional<std::string> QtShell::WindowsPathOf(const std::string& hostPath) {
    if (hostPath.empty()) return std::nullopt;
    return toWindows_(hostPath);
}

bool QtShell::Open(const std::string& target) {
    const QString text = QString::fromStdString(target);
    if (text.contains("://")) return QDesktopServices::openUrl(QUrl(text));
    const std::string host = HostOf(target);
    return !host.empty() &&
           QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(host)));
}

bool QtShell::OpenFileDialog(const std::string& title, const std::string& filter,
                             const std::string& initialFolder, std::string& chosen) {
    const QString file = QFileDialog::getOpenFileName(
        QApplication::activeWindow(), QString::fromStdString(title),
        QString::fromStdString(HostOf(initialFolder)), QString::fromStdString(QtFilterOf(filter)));
    return ToWindows(file.toStdString(), chosen);
}

bool QtShell::SaveFileDialog(const std::string& title, const std::string& filter,
                             const std::string& defaultExtension, const std::string& initialName,
                             std::string& chosen) {
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QString::fromStdString(QtFilterOf(filter)));
    dialog.setDefaultSuffix(QString::fromStdString(defaultExtension));
    if (!initialName.empty()) dialog.selectFile(QString::fromStdString(HostOf(initialName)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    return ToWindows(dialog.selectedFiles().front().toStdString(), chosen);
}

}  // namespace arbovane
