#pragma once

// The application: it runs the main window and ends when the main window closes.
class CSetupApp {
public:
    // Sets the process-wide look that every dialog builds on and finds the localisation file;
    // done once, before any window.
    static void InitInstance();
    // Runs the main window to its end; the result is the program's exit code.
    int Run();
    // Ends the process with `status` where the platform's own teardown cannot be trusted to end
    // it; elsewhere returns, and the program ends as usual. Called once every window is gone.
    static void EndBeforeTeardown(int status);
};
