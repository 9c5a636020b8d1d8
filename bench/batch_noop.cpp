// A program that does nothing: the one a benchmark script calls.
int main() { return 0; }
