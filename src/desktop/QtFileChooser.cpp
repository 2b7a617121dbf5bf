#include "desktop/QtFileChooser.h"

#include <QApplication>
#include <QFileDialog>
#include <QStandardPaths>
#include <QStringList>

namespace desktop {

void QtFileChooser::chooseFileToOpen(const std::string& title, const std::vector<std::string>& patterns,
                                     std::function<void(std::optional<std::string>)> done)
{
    // Without a window system (the command line, the tests) there is nobody to ask.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        done(std::nullopt);
        return;
    }
    QStringList globs;
    for (const auto& p : patterns)
        globs << QString::fromStdString(p);
    auto* dialog = new QFileDialog(QApplication::activeWindow(), QString::fromStdString(title),
                                   QStandardPaths::writableLocation(QStandardPaths::HomeLocation));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    if (!globs.isEmpty())
        dialog->setNameFilter(QString::fromStdString(title) + " (" + globs.join(' ') + ")");
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, done](int result) {
        QStringList files = dialog->selectedFiles();
        if (result == QDialog::Accepted && !files.isEmpty())
            done(files.first().toStdString());
        else
            done(std::nullopt);
    });
    dialog->open();
}

} // namespace desktop
