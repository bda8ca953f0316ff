/* The C hosts' one check: a failed condition is printed with its place and counted; a host
   exits 0 when g_failures stays 0. */
#ifndef WEXTL_HOST_CHECK_H
#define WEXTL_HOST_CHECK_H

#include <stdio.h>

static int g_failures;

#define EXPECT(cond)                                                   \
    do {                                                               \
        if (!(cond)) {                                                 \
            fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #cond); \
            ++g_failures;                                              \
        }                                                              \
    } while (0)

#endif /* WEXTL_HOST_CHECK_H */
