/* The installed header compiles as C: a C host's view of the interface. */
#include "wextl/wextl.h"

int main(void) {
    WNDCLASSA wc = {0};
    SCROLLINFO info = {sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    (void)wc;
    (void)info;
    return WextlIsClassRegistered("KEDIT") ? 0 : 1;
}
