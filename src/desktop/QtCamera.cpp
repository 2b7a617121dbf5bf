#include "desktop/QtCamera.h"

#include "desktop/QtImageCodec.h"

#include "platform/ImagePickerController.h"

#include <QCamera>
#include <QCameraDevice>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QObject>
#include <QVideoFrame>
#include <QVideoSink>

#include <algorithm>
#include <mutex>
#include <optional>
#include <utility>

namespace desktop {

namespace {

// The largest picture the camera gives at a smooth enough rate for a viewfinder, within what the
// picker keeps of a photograph; a null format leaves the choice to the backend.
QCameraFormat bestFormat(const QCameraDevice& device)
{
    constexpr float leastFramesPerSecond = 15;
    QCameraFormat best;
    auto pixels = [](const QCameraFormat& f) { return qint64(f.resolution().width()) * f.resolution().height(); };
    for (const QCameraFormat& format : device.videoFormats()) {
        const QSize size = format.resolution();
        if (format.maxFrameRate() >= leastFramesPerSecond &&
            std::max(size.width(), size.height()) <= platform::ImagePickerController::maxPhotoSide &&
            (best.isNull() || pixels(format) > pixels(best)))
            best = format;
    }
    return best;
}

// What a running camera is made of, built only when there is a camera: building it loads the
// backend's pipeline.
struct Pipeline {
    explicit Pipeline(const QCameraDevice& device) : camera(device)
    {
        if (QCameraFormat format = bestFormat(device); !format.isNull())
            camera.setCameraFormat(format);
        capture.setCamera(&camera);
        capture.setVideoSink(&sink);
    }
    ~Pipeline() { camera.stop(); }

    QMediaDevices devices;
    QCamera camera;
    QVideoSink sink;
    QMediaCaptureSession capture;
};

} // namespace

// One start of the camera. It is a QObject so that what it has queued on the event loop dies with it.
struct QtCamera::Session : QObject {
    Session(std::function<void(platform::ImageRef)> frame, std::function<void(std::string)> failed)
        : onFrame(std::move(frame)), onFailure(std::move(failed)) {}

    void open(const QCameraDevice& device)
    {
        Pipeline& p = pipeline.emplace(device);
        // The backend may send frames from its own thread: keep the newest, and queue one conversion.
        connect(&p.sink, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame& frame) {
            {
                std::lock_guard lock(mutex);
                newest = frame;
                if (conversionQueued)
                    return;
                conversionQueued = true;
            }
            QMetaObject::invokeMethod(this, [this] { deliverNewest(); }, Qt::QueuedConnection);
        }, Qt::DirectConnection);
        connect(&p.camera, &QCamera::errorOccurred, this, [this](QCamera::Error error, const QString& text) {
            if (error != QCamera::NoError)
                fail("The camera cannot be used: " + text);
        });
        connect(&p.devices, &QMediaDevices::videoInputsChanged, this, [this, device] {
            if (!QMediaDevices::videoInputs().contains(device))
                fail("The camera was unplugged.");
        });
        p.camera.start();
    }

    void stop()
    {
        stopped = true;
        if (pipeline)
            pipeline->camera.stop();
    }

    void deliverNewest()
    {
        QVideoFrame frame;
        {
            std::lock_guard lock(mutex);
            frame = std::exchange(newest, QVideoFrame());
            conversionQueued = false;
        }
        if (stopped)
            return;
        platform::ImageRef image = toPlatformImage(frame.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied));
        // Copied: the application may stop the camera from inside.
        if (image)
            if (auto deliver = onFrame)
                deliver(std::move(image));
    }

    // Told on the event loop, never from inside the camera's own signal, so that the application may
    // stop the camera from inside. No frame follows it.
    void fail(const QString& message)
    {
        QMetaObject::invokeMethod(this, [this, message] {
            if (stopped)
                return;
            stop();
            if (auto failed = onFailure)
                failed(message.toStdString());
        }, Qt::QueuedConnection);
    }

    bool stopped = false;
    std::function<void(platform::ImageRef)> onFrame;
    std::function<void(std::string)> onFailure;
    std::mutex mutex;
    QVideoFrame newest;
    bool conversionQueued = false;
    std::optional<Pipeline> pipeline;
};

QtCamera::QtCamera() = default;

QtCamera::~QtCamera() = default;

bool QtCamera::isAvailable() { return !QMediaDevices::videoInputs().isEmpty(); }

void QtCamera::start(std::function<void(platform::ImageRef)> frame, std::function<void(std::string)> failed)
{
    stop();
    session_ = std::make_unique<Session>(std::move(frame), std::move(failed));
    const QCameraDevice device = QMediaDevices::defaultVideoInput();
    if (device.isNull())
        session_->fail("There is no camera.");
    else
        session_->open(device);
}

void QtCamera::stop()
{
    if (!session_)
        return;
    session_->stop();
    // Stop may be called from inside one of the session's own deliveries: it goes once they are done.
    session_.release()->deleteLater();
}

} // namespace desktop
