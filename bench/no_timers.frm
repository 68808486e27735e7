VERSION 5.00
Begin Host.Form Plain
   Caption         =   "No timers"
   ClientHeight    =   1500
   ClientLeft      =   1500
   ClientTop       =   1500
   ClientWidth     =   3000
   Begin Host.Label Label1
      Caption         =   "Nothing runs here"
      Height          =   195
      Left            =   240
      TabIndex        =   0
      Top             =   240
      Width           =   2000
   End
   Begin Host.CommandButton Command1
      Caption         =   "OK"
      Height          =   375
      Left            =   240
      TabIndex        =   1
      Top             =   720
      Width           =   1215
   End
End
