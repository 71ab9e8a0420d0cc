// STUB: replaced by its owner
int main() { return 0; }
