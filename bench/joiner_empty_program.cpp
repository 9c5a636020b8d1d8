// The floor for whole-process timings: a C++ program that does nothing.
int main() { return 0; }
