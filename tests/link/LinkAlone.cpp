// The program each library is linked into alone: it only has to link.
int main() { return 0; }
