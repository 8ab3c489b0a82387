// The main road of the IDE on a real X server.
#include "tests/acceptance/MainRoad.h"

class MainRoadOnDisplay : public MainRoad {};

TEST_F(MainRoadOnDisplay, FromTheFirstStartToTheEndOfTheDebugSession)
{
    Run();
}
