#include "platform/menu.h"
#include <unistd.h>
void menu_hand_over()
{
    if (chdir("/usr/gp2x") != 0) {
        // Not on the console; the exec below fails as well.
    }
    execl("/usr/gp2x/gp2xmenu", "/usr/gp2x/gp2xmenu", static_cast<char *>(nullptr));
}
