/* The floor under any program's start: a C program that does nothing. */
int main(void) { return 0; }
