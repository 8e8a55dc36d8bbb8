// Placeholder until the decoder lands: refuses every level, so the engine
// falls back to the next converter or FreeImage's own loader.
int main() { return 1; }
