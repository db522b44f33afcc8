int cordwain_placeholder() { return 0; }
