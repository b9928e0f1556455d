	dw	frame2_BG
	dw	pic_BG
