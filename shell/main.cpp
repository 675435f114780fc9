#include "shell/startup.h"

int main()
{
    return game_main();
}
