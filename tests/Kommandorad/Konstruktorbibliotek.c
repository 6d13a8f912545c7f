/* A shared object that is not the invoice module: as it loads, its
   constructor writes the file KONTOBOK_MARKER names. Put in the module's
   place, it must be refused before the loader runs it; renamed over the
   module during a run, it must not be what is loaded. */
#include <stdio.h>
#include <stdlib.h>

__attribute__((constructor)) static void markera(void) {
    const char* marker = getenv("KONTOBOK_MARKER");
    if (!marker) return;
    FILE* file = fopen(marker, "w");
    if (file) {
        fputs("constructor ran\n", file);
        fclose(file);
    }
}
