SPRITES:
	dw	SPRITES_irq
	dw	SPRITES_palette
	dw	SPRITES_pnt0
	dw	SPRITES_attrib0
SPRITES_irq:

SPRITES_palette:
	db	$3C,$00,$20,$2A,$08,$18,$2C,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
	db	$3C,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
	db	$3C,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
	db	$3C,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
	db	$0B,$00,$03,$31,$1F,$1B,$2E,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
	db	$0B,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
	db	$0B,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
	db	$0B,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
SPRITES0:
	db	$03,$08		;个数,模式
	db	$00,$02,$00,$10	;Y坐标,字模索引,状态位 ,X坐标,0
	db	$10,$04,$00,$00	;Y坐标,字模索引,状态位 ,X坐标,1
	db	$10,$06,$00,$10	;Y坐标,字模索引,状态位 ,X坐标,2
