#include "app/Application.h"

#include <sstream>
#include <stdexcept>

#include "window/WindowClass.h"

const wchar_t* const Application::kInstanceName = L"oneInstanceRandomName1234567890";

Application::~Application() {
    if (markerWindow != nullptr) DestroyWindow(markerWindow);
}

bool Application::AnotherInstanceRuns() const {
    return FindWindowW(nullptr, instanceName.c_str()) != nullptr;
}

void Application::CreateMarker() {
    markerWindow = CreateWindowExW(0, L"Static", instanceName.c_str(), 0, 0, 0, 100, 100, nullptr,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
}

int Application::Run() {
    BOOL result;
    while ((result = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
        RethrowPendingWindowException();
    }
    if (result == -1) {
        std::ostringstream text;
        text << GetLastError();
        throw std::runtime_error(text.str());
    }
    return static_cast<int>(message.wParam);
}

namespace {
void ShowErrorBox(const char* text, const char* caption) {
    MessageBoxA(nullptr, text, caption, MB_TOPMOST | MB_TASKMODAL | MB_ICONERROR);
}
}  // namespace

int RunApplication(const ProgramBody& body) {
    Application application;
    application.instanceName = Application::kInstanceName;
    try {
        if (application.AnotherInstanceRuns()) return 0;
        application.CreateMarker();
        return body(application);
    } catch (const std::runtime_error& error) {
        ShowErrorBox(error.what(), "Runtime Error");
    } catch (const std::logic_error& error) {
        ShowErrorBox(error.what(), "Logic Error");
    } catch (...) {
        ShowErrorBox("Unhandled Exception", "Unknown Error");
    }
    return -1;
}
