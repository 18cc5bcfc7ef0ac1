#include "faces/qt/app/Termination.h"

#include <QObject>

#include "core/frame/FrameServices.h"
#include "faces/qt/app/ApplicationObject.h"

void CreateRelay()
{
    ApplicationObject& app = App();
    if (app.relay == nullptr)
        app.relay = std::make_unique<QObject>();
}

void HandToMainThread(int32_t code)
{
    if (App().relay != nullptr)
        QMetaObject::invokeMethod(
            App().relay.get(), [code] { EndProgram(code); }, Qt::BlockingQueuedConnection);
}

void ReleaseFaceResources()
{
    App().idle_registrations.clear();
    App().relay.reset();
}
