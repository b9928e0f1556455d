LOGO_PNT:
	dw	LOGO_PNT_irq
	dw	LOGO_PNT_palette
	dw	LOGO_PNT_pnt0
	dw	LOGO_PNT_attrib0
LOGO_PNT_irq:

LOGO_PNT_palette:
	db	$3C,$00,$20,$2A,$08,$18,$2C,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
	db	$3C,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
	db	$3C,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
	db	$3C,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
	db	$0B,$00,$03,$31,$1F,$1B,$2E,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
	db	$0B,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
	db	$0B,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
	db	$0B,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
LOGO_PNT_pnt0:
	db	$00,$01,$02,$03
	db	$01,$00,$03,$02
	db	$04,$05,$06,$07
	db	$05,$04,$07,$06

LOGO_PNT_attrib0:
	db	$00

