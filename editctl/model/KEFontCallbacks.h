#ifndef WEXTL_FONT_CALLBACKS_H
#define WEXTL_FONT_CALLBACKS_H

/* The four font-enumeration callbacks the library exports, shaped for EnumFontFamiliesA, and
   the records they fill (passed through the last argument). A caller sizes the arrays with a
   counting pass before a collecting pass: the collecting callbacks write at index `count`. */

#include "editctl/model/WextlWin32.h"

/* Record of CB_FontFamilyCount (the first two fields) and CB_FontFamilyInfo. */
typedef struct KEFamilyRecord {
    int32_t count;
    int32_t typeFilter; /* -1 accepts every font type */
    int32_t* types;
    LOGFONTA* families;
} KEFamilyRecord;

/* Record of CB_FontFullNameCount and CB_FontFullNameInfo. */
typedef struct KEFullNameRecord {
    int32_t count;
    int32_t reserved; /* not read by the callbacks */
    ENUMLOGFONTA* fullNames;
} KEFullNameRecord;

typedef int (*KEFamilyProc)(const LOGFONTA*, const TEXTMETRICA*, int, LPARAM);
typedef int (*KEStyleProc)(const ENUMLOGFONTA*, const NEWTEXTMETRICA*, int, LPARAM);

#ifdef __cplusplus
extern "C" {
#endif
/* Each returns 1 so that an enumeration is never cut short. */
WEXTL_API int CB_FontFamilyCount(const LOGFONTA* logFont, const TEXTMETRICA* metric, int fontType,
                                 LPARAM record);
WEXTL_API int CB_FontFamilyInfo(const LOGFONTA* logFont, const TEXTMETRICA* metric, int fontType,
                                LPARAM record);
WEXTL_API int CB_FontFullNameCount(const ENUMLOGFONTA* logFont, const NEWTEXTMETRICA* metric,
                                   int fontType, LPARAM record);
WEXTL_API int CB_FontFullNameInfo(const ENUMLOGFONTA* logFont, const NEWTEXTMETRICA* metric,
                                  int fontType, LPARAM record);
#ifdef __cplusplus
}
#endif

#endif /* WEXTL_FONT_CALLBACKS_H */
