frame2_BG:
	db	V_Bank0+$00,V_Bank1+$08
	db	PNT_Bank+$00
	dw	frame2_pnt
pic_BG:
	db	V_Bank0+$00,V_Bank1+$08
	db	PNT_Bank+$00
	dw	pic_pnt
