// Replaced as soon as the first real source of this library lands.
int model_placeholder() { return 0; }
