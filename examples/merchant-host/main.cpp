// Sample merchant host: placeholder until the codec lands.
#include <cstdio>
int main() { std::puts("merchant-host"); return 0; }
