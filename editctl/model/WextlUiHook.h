#ifndef WEXTL_UIHOOK_H
#define WEXTL_UIHOOK_H

/* The records of WextlSetUiHook: a host or a script answers the control's context menu and
   change-character dialog instead of the operator. Plain C. */

#include "editctl/model/WextlWin32.h"

typedef struct {
    UINT id;
    UINT flags;       /* MF_GRAYED 0x1, MF_SEPARATOR 0x800 */
    const char* text; /* UTF-8 */
} WEXTL_UIITEM;

#define WEXTL_UI_CONTEXTMENU 1
#define WEXTL_UI_CHARFONTDIALOG 2

typedef struct {
    int kind;                  /* 1: the context menu, 2: the change-character dialog */
    HWND owner;                /* the control */
    POINT screenPoint;         /* kind 1: where the menu would open */
    const char* caption;       /* kind 2: the dialog's caption, UTF-8 */
    int count;                 /* kind 1: menu items; kind 2: list entries */
    const WEXTL_UIITEM* items; /* kind 1: in menu order; kind 2: the list in list order */
    int selected;              /* kind 2: the preselected entry, or -1 */
} WEXTL_UIREQUEST;

/* The answer: kind 1, the chosen command ID or 0 for none; kind 2, -2 for Cancel, -1 for OK
   with no entry selected, k for OK with entry k selected. */
typedef int (*WEXTL_UIHOOK)(const WEXTL_UIREQUEST* request, void* context);

#endif
