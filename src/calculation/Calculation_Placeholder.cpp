// Replaced as soon as the first real source of this library lands.
int calculation_placeholder() { return 0; }
