int cordwain_win_placeholder() { return 0; }
