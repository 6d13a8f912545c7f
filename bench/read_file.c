/* The floor a ledger query is measured against: a small C program that
   reads the same file to its end and exits. */
#include <stdio.h>

int main(int argc, char** argv) {
    if (argc < 2) return 1;
    FILE* f = fopen(argv[1], "rb");
    if (!f) return 1;
    static char buffer[1 << 16];
    while (fread(buffer, 1, sizeof buffer, f) > 0) {
    }
    fclose(f);
    return 0;
}
