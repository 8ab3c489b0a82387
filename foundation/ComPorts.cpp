#include "foundation/Settings.h"
#include "platform/ComPortMap.h"

void ListComPorts(std::vector<std::string>& list) {
    for (int port = FirstComPort; port <= LastComPort; ++port)
        if (ComPortExists(port)) list.push_back(ComPortName(port));
}
