// Replaced as soon as the first real source of this library lands.
int project_placeholder() { return 0; }
