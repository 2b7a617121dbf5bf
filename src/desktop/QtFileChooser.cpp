#include "desktop/QtFileChooser.h"

#include <QApplication>
#include <QFileDialog>
#include <QScreen>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>

namespace desktop {

void QtFileChooser::setWindow(QWidget* window, std::function<float()> zoom)
{
    window_ = window;
    zoom_ = std::move(zoom);
}

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
    QWidget* parent = window_ ? window_.data() : QApplication::activeWindow();
    auto* dialog = new QFileDialog(parent, QString::fromStdString(title),
                                   QStandardPaths::writableLocation(QStandardPaths::HomeLocation));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    if (!globs.isEmpty())
        dialog->setNameFilter(QString::fromStdString(title) + " (" + globs.join(' ') + ")");
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // A native dialog places and sizes itself; Qt's own is drawn at the window's zoom, centred over
    // it, rather than small at its corner.
    if (parent && window_) {
        const float zoom = zoom_ ? std::max(1.0f, zoom_()) : 1.0f;
        QFont font = dialog->font();
        font.setPointSizeF(font.pointSizeF() * zoom);
        dialog->setFont(font);
        // Never larger than the screen, and wholly on it: a zoomed window may be narrower than the dialog.
        const QRect screen = parent->screen()->availableGeometry();
        const QSize size = (QSize(560, 400) * zoom).boundedTo(screen.size());
        dialog->resize(size);
        const QPoint centre = parent->mapToGlobal(parent->rect().center());
        QPoint at = centre - QPoint(size.width() / 2, size.height() / 2);
        at.setX(std::clamp(at.x(), screen.left(), screen.right() + 1 - size.width()));
        at.setY(std::clamp(at.y(), screen.top(), screen.bottom() + 1 - size.height()));
        dialog->move(at);
    }
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
