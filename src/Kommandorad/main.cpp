// kontobok: one job on one .bok document per run.
int main(int argc, char** argv) {
    if (argc < 2) return 1;
    return 1;
}
