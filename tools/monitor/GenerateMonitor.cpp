// Writes the default "Monitor.csd": the program's default gammas, luminance
// weights and dialog settings, and no profile.
//
// usage: tna-gen-monitor SETUP_DIR

#include <iostream>
#include <string>

#include "MonitorState.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: tna-gen-monitor SETUP_DIR\n";
        return 2;
    }
    const MonitorState defaults;
    std::string message;
    if (!defaults.WriteSettings(argv[1], &message)) {
        std::cerr << "tna-gen-monitor: " << message << "\n";
        return 1;
    }
    return 0;
}
