// TheApp: the setup's application object, which picks the wizard or a silent run.
#pragma once

namespace lp {

class TheApp {
public:
    // Prepares the process and runs the wizard or the silent way to its end. Always FALSE (0):
    // the program has no message loop of its own and ends afterwards.
    int InitInstance();

    // 0 after the wizard or a complete silent installation, else the silent run's outcome.
    int exitCode() const { return m_exitCode; }

private:
    int m_exitCode = 0;
};

}  // namespace lp
