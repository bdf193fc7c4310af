// The program the stand-in's registration names as its local server: only its version
// information is read.
int main() { return 0; }
