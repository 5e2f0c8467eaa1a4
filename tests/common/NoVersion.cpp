// Probe executables for the version tests; only their resources matter.
int main() { return 0; }
