// The main road of the IDE, offscreen.
#include "tests/acceptance/MainRoad.h"

TEST_F(MainRoad, FromTheFirstStartToTheEndOfTheDebugSession)
{
    Run();
}
