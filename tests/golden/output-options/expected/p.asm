P:
	dw	P_irq
	dw	P_palette
	dw	P_pnt0
	dw	P_attrib0
P_irq:

P_palette:
	db	$3C,$00,$20,$2A,$08,$18,$2C,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
	db	$3C,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
	db	$3C,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
	db	$3C,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
	db	$0B,$00,$03,$31,$1F,$1B,$2E,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
	db	$0B,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
	db	$0B,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
	db	$0B,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
P_pnt0:
	db	$00,$02
	db	$04,$06

P_attrib0:
	db	$00

