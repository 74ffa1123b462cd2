// Replaced as soon as the first real source of this library lands.
int vadar_placeholder() { return 0; }
