#include "faces/qt/app/ApplicationObject.h"

namespace {

ApplicationObject g_application;

}  // namespace

ApplicationObject& App() { return g_application; }

void RegisterIdleFunction(QWidget* window, IdleFunction function, intptr_t argument)
{
    if (function != nullptr)
        App().idle_registrations.push_back({window, function, argument});
}
