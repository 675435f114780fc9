#include "shell/loop.h"

int main()
{
    return game_main();
}
