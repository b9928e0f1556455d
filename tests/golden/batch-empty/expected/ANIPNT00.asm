

		org	$8000

		phs	$8000
		dph

		charge	Mindex00.asm

