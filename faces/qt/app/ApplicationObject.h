#pragma once
// The process-wide state of the frame. The window list, the event-suppression counter and
// the constant ranges live with the services that own them (core/runtime, values/Blocks);
// this holds the rest, in the order start-up fills it.
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using IdleFunction = void (*)(intptr_t argument);

struct IdleRegistration {
    QPointer<QWidget> window;  // the registration goes when its window does
    IdleFunction function = nullptr;
    intptr_t argument = 0;
};

class QMessageBox;

// What a test hands the frame to watch it; both empty in the program.
struct FrameObservers {
    // Called on the event loop right after the runtime error box is shown; it may inspect the
    // box and close it.
    std::function<void(QMessageBox& box)> error_box_shown;
    // Told of every alert the frame raises, whether or not an assistive technology is
    // listening (Qt delivers accessibility events only while one is).
    std::function<void(QObject* source)> alert;
};

struct ApplicationObject {
    ApplicationObject() = default;
    ApplicationObject(const ApplicationObject&) = delete;
    ApplicationObject& operator=(const ApplicationObject&) = delete;

    std::string program_file_name;

    std::vector<IdleRegistration> idle_registrations;

    std::unique_ptr<QObject> relay;  // runs end requests from other threads on the main one

    bool loop_entered = false;  // set by the message loop, never cleared
    int quit_code = 0;          // the code the loop ended with

    FrameObservers observers;
};

ApplicationObject& App();

// Adds a function called on every pass of the idle phase until its window is gone.
void RegisterIdleFunction(QWidget* window, IdleFunction function, intptr_t argument);
